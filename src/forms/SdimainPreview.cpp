// Preview of the selected file in the preview pane.
#include "forms/Sdimain.h"

void TSDIAppForm::ToolButton6Click() {} // the preview is not wired yet
void TSDIAppForm::Preview1Click() {} // the preview is not wired yet
