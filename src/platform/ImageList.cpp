#include "platform/ImageList.h"

#include "Resources.h"

namespace qf::platform {

ImageList::ImageList() {
    for (int i = 0; i < 15; ++i)
        icons_.emplace_back(qf::resources::picture(
            QStringLiteral("pictures/glyph%1.png").arg(i, 2, 10, QChar('0'))));
}

QIcon ImageList::icon(int index) const {
    return icons_.at(static_cast<std::size_t>(index));
}

} // namespace qf::platform
