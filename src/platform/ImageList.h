#pragma once

#include <QIcon>
#include <vector>

namespace qf::platform {

// The window's image list: fifteen 16 x 16 glyphs shared by the tool bar, menus and actions.
class ImageList {
public:
    ImageList();
    QIcon icon(int index) const;

private:
    std::vector<QIcon> icons_;
};

} // namespace qf::platform
