#pragma once

class vItemPainter;

enum EdgeStyle {
    // The face alone.
    EdgeFlat,
    // One pixel inside: shadow on the left and top, highlight on the right and bottom.
    EdgeSunken,
    // The sunken edge with a raised one just inside it, so that every side shows a shadow line
    // even where the highlight hardly differs from the face: how group frames read as frames.
    EdgeEtched,
};

// Fills a control with the face colour and draws its edge.
void PaintFaceAndEdge(vItemPainter& painter, EdgeStyle edge);
