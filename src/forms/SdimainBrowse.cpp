// The browser chain of the main window: drive selector -> tree -> file list.
#include "forms/Sdimain.h"

void TSDIAppForm::DriveComboBox1Change() {} // the browser is not wired yet
void TSDIAppForm::DirectoryOutline1Change() {} // the browser is not wired yet
void TSDIAppForm::FileListBox1Click() {} // the browser is not wired yet
void TSDIAppForm::FormResize() {} // the browser is not wired yet
void TSDIAppForm::Refresh1Click() {} // the browser is not wired yet
