#include "dcdrive/ui/program.h"

int main(int argc, char** argv)
{
    return dcdrive::ui::RunProgram(argc, argv);
}
