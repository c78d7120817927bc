#pragma once

#include <QByteArray>

namespace korvex::xlsx {

// VML drawings (comments, buttons, header images) claim blocks of 1024 shape ids through
// `<o:idmap data="1"/>`; the shapes of block n are `_x0000_s` n*1024+1 and on. Blocks must not be
// shared by two drawings of a workbook.

// The highest block a VML drawing claims; 0 when it claims none.
int highestVmlBlock(const QByteArray& vml);
// The block a shape id belongs to.
int blockOfShapeId(int id);
// The shape id `id` moved into block `block`, keeping its place in its own block.
int shapeIdInBlock(int id, int block);
// The drawing moved into block `block`: its idmap claims that block only and every shape id follows.
QByteArray vmlInBlock(const QByteArray& vml, int block);

}  // namespace korvex::xlsx
