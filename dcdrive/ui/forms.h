#pragma once

namespace dcdrive::ui {

class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;

// The program's secondary windows as the others reach them. Each exists once for the whole run,
// hidden until shown modally; it is made when first needed, which a user cannot tell from
// being made at start, as every window starts from the same state either way.
class DcForms {
public:
    virtual ~DcForms() = default;

    virtual TForm2& Form2() = 0; // motor data
    virtual TForm3& Form3() = 0; // about box
    virtual TForm4& Form4() = 0; // load diagram editor
    virtual TForm5& Form5() = 0; // generator-motor inputs
    virtual TForm6& Form6() = 0; // converter-motor inputs
    virtual TForm7& Form7() = 0; // coefficients
};

} // namespace dcdrive::ui
