#pragma once
// The picture of one bridge: its upstream and downstream faces side by side.

#include <string_view>

#include "deck/streams.h"
#include "report/bridgeFace.h"

namespace tolvane {

/// Writes an inline SVG picture of a bridge's two faces on shared scales:
/// ground line, deck top and low chord, bank stations and ineffective areas,
/// each face captioned with its station and opening area, with axes and a
/// legend. `title` heads the picture (escaped); `pictureId` must differ
/// between the pictures of one page (it names the picture's clip paths and
/// patterns).
void writeBridgePicture(OutputStream& out, const BridgeFace& upstream, const BridgeFace& downstream,
                        std::string_view title, int pictureId);

}  // namespace tolvane
