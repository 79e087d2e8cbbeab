#pragma once

// What the scene's align() does with the selected shapes, measured against the first one
// selected. The values are the ones the scene takes.
enum AlignMode : int {
    AlignTop = 0,
    AlignHCenter = 1, // centres on one horizontal line
    AlignVCenter = 2, // centres on one vertical line
    AlignBottom = 3,
    AlignLeft = 4,
    AlignRight = 5,
    AlignCenter = 6, // centres on the reference's centre
    SpaceHorizontally = 7, // equal gaps from left to right
    SpaceVertically = 8, // equal gaps from top to bottom
    SameWidth = 9,
    SameHeight = 10,
    SameSize = 11,
};
