#include "forms/WindowSet.h"

#include "forms/About.h"
#include "forms/FileMask.h"
#include "forms/Sdimain.h"
#include "forms/createdir.h"
#include "forms/renamer.h"
#include "platform/AppStyle.h"
#include "platform/Fonts.h"

namespace qf::forms {

void createWindowSet() {
    qf::platform::installFontSubstitutes();
    qf::platform::installAppStyle();
    // The order matters: the main window's creation handler runs before the dialogs exist,
    // and the mask dialog, created last, reads the settings file last.
    Form3 = new TForm3;
    SDIAppForm = new TSDIAppForm;
    CreateDirect = new TCreateDirect(SDIAppForm);
    Form1 = new TForm1(SDIAppForm);
    Form2 = new TForm2(SDIAppForm);
}

void showMainForm() {
    Form3->show();
}

void destroyWindowSet() {
    delete Form2;
    Form2 = nullptr;
    delete Form1;
    Form1 = nullptr;
    delete CreateDirect;
    CreateDirect = nullptr;
    delete SDIAppForm;
    SDIAppForm = nullptr;
    delete Form3;
    Form3 = nullptr;
}

} // namespace qf::forms
