// The main window's creation values and its one start-up tick.
#include "forms/Sdimain.h"

bool FirstActivation = false;
std::string StartDirectory;

void TSDIAppForm::FormCreate() {} // the start-up work is not wired yet
void TSDIAppForm::FormActivate() {} // the start-up work is not wired yet
void TSDIAppForm::Timer1Timer() {} // the start-up work is not wired yet
void TSDIAppForm::Quicksetfilemask1Click() {} // the mask dialog is not wired yet
