#pragma once

#include <string>

namespace qf::platform {
class PreviewEdit;
}

namespace qf::forms {

// The Preview command's steps on a pane: empty it, load the file at path (a failure ends the
// command here and propagates, leaving the pane empty), colour its comments blue and put the
// caret before the first character.
void previewFile(qf::platform::PreviewEdit& pane, const std::string& path);

} // namespace qf::forms
