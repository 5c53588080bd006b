#include "acdrive/ui/program.h"

int main(int argc, char** argv)
{
    return acdrive::ui::RunProgram(argc, argv);
}
