// The file commands: new script, save, edit, delete, rename, create directory, explore.
#include "forms/Sdimain.h"

void TSDIAppForm::FileNew1Execute() {} // the file commands are not wired yet
void TSDIAppForm::New1Click() {} // the file commands are not wired yet
void TSDIAppForm::FileSave1Execute() {} // the file commands are not wired yet
void TSDIAppForm::Edit43Click() {} // the file commands are not wired yet
void TSDIAppForm::Edit2Click() { Edit43Click(); }
void TSDIAppForm::FileListBox1DblClick() { Edit43Click(); }
void TSDIAppForm::Delete1Click() {} // the file commands are not wired yet
void TSDIAppForm::Rename1Click() {} // the file commands are not wired yet
void TSDIAppForm::CreateDirectory1Click() {} // the file commands are not wired yet
void TSDIAppForm::ExploreinWindowsExplorer1Click() {} // the file commands are not wired yet
