#pragma once

class vItemPainter;

// Fills a control with the face colour and, unless flat, draws a sunken edge one pixel inside:
// shadow on the left and top, highlight on the right and bottom.
void PaintFaceAndEdge(vItemPainter& painter, bool flat);
