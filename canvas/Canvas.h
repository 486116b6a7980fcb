#pragma once
// A drawing surface over a QImage with the semantics of the classic Windows
// canvas, so that drawing steps transcribe one to one: lines exclude their end
// pixel, rectangles exclude their right and bottom edges, arcs run
// counter-clockwise between two radials, text is placed by its top-left
// corner and never antialiased. Pen modes: copy, merge (bitwise OR), XOR;
// shapes are filled with the brush in the pen mode too. Every shape changes
// each of its pixels once, so drawing it twice in XOR restores the picture.
// Dash patterns apply to one-pixel lines, polylines and rectangle frames;
// wider pens and ellipses draw solid; dash gaps leave the picture alone.
// Any int coordinate is safe: far-away parts are clipped before stepping.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class PenMode { Copy, Merge, Xor };
enum class BrushStyle { Solid, Clear };

namespace canvas_detail {
class Painter;
struct PixelSet;
} // namespace canvas_detail

class Canvas {
  public:
    // Draws into the given image, converted to RGB32 if it is not.
    explicit Canvas(QImage &image);

    QImage &image() { return img; }
    const QImage &image() const { return img; }
    int width() const { return img.width(); }
    int height() const { return img.height(); }

    void setPenColor(const QColor &c) { penColor_ = c; }
    QColor penColor() const { return penColor_; }
    void setPenWidth(int w) { penWidth_ = w < 1 ? 1 : w; }
    int penWidth() const { return penWidth_; }
    void setPenStyle(PenStyle s) { penStyle_ = s; }
    PenStyle penStyle() const { return penStyle_; }
    void setPenMode(PenMode m) { penMode_ = m; }
    PenMode penMode() const { return penMode_; }

    void setBrushColor(const QColor &c) { brushColor_ = c; }
    QColor brushColor() const { return brushColor_; }
    void setBrushStyle(BrushStyle s) { brushStyle_ = s; }
    BrushStyle brushStyle() const { return brushStyle_; }

    void setFont(const QFont &f) { font_ = f; }
    QFont &font() { return font_; }
    void setFontColor(const QColor &c) { fontColor_ = c; }
    QColor fontColor() const { return fontColor_; }

    void MoveTo(int x, int y) {
        pos = QPoint(x, y);
        patternPhase = 0;
    }
    // From the pen position to (x, y), the end pixel not drawn; the pen moves there.
    void LineTo(int x, int y);
    QPoint PenPos() const { return pos; }
    void Polyline(const QVector<QPoint> &points);
    // Outline with the pen, filled with the brush.
    void Polygon(const QVector<QPoint> &points);
    // Outline with the pen, filled with the brush; right and bottom edges excluded.
    void Rectangle(int x1, int y1, int x2, int y2);
    // Brush fill only, always in copy mode. Rectangles passed as QRect are
    // taken by their corners like the int forms: the pixels
    // [left(), right()) x [top(), bottom()) are filled, so build them as
    // QRect(QPoint(x1, y1), QPoint(x2, y2)). A whole image is
    // FillRect(0, 0, width(), height()).
    void FillRect(const QRect &r);
    void FillRect(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    // Counter-clockwise arc of the ellipse in the box, from the radial through
    // (x3, y3) to the radial through (x4, y4).
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Fills with the brush from (x, y) outwards until the border colour.
    void FloodFill(int x, int y, const QColor &border);

    void setPixel(int x, int y, const QColor &c);
    QColor pixel(int x, int y) const;

    // Top-left corner of the text at (x, y); the background is filled with
    // the brush unless the brush style is Clear.
    void TextOut(int x, int y, const QString &text);
    QSize TextExtent(const QString &text) const;
    int TextWidth(const QString &text) const { return TextExtent(text).width(); }
    int TextHeight(const QString &text) const { return TextExtent(text).height(); }

    // Copies (stretching when the sizes differ); both rectangles by their
    // corners like FillRect, right and bottom edges excluded.
    void CopyRect(const QRect &dest, const Canvas &source, const QRect &sourceRect);

  private:
    QImage &img;
    QColor penColor_ = Qt::black;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    PenMode penMode_ = PenMode::Copy;
    QColor brushColor_ = Qt::white;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QFont font_;
    QColor fontColor_ = Qt::black;
    QPoint pos;
    int patternPhase = 0; // carries a dash pattern across joined segments

    QFont textFont() const;
    void strokeThin(canvas_detail::Painter &p, QPoint from, QPoint to);
    void strokePath(const QVector<QPoint> &points, bool closed);
    void outlinePixels(const QVector<QPoint> &points, canvas_detail::PixelSet &set) const;
    void fillPolygon(const QVector<QPoint> &pts, canvas_detail::Painter &p,
                     const canvas_detail::PixelSet &skip) const;
};
