#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velundia {

class RasterSurface;

// 24-bit colour packed 0x00BBGGRR: 255 is red, 0xFF0000 blue.
using Colour = uint32_t;

enum class PenStyle { Solid, Clear };
enum class BrushStyle { Solid, Clear };

struct Point {
    int x = 0;
    int y = 0;
};

// The drawing interface of every renderer, with the semantics of a classic raster device:
// lineTo draws from the current point up to, but not including, the target pixel and makes
// the target the current point. A pen of width 0 or 1 draws one-pixel lines; a wider pen
// draws a round-capped stroke centred on the line. Everything is clipped to the canvas.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    void setPenColour(Colour c) { penColour_ = c; }
    void setPenWidth(int w) { penWidth_ = w; }
    void setPenStyle(PenStyle s) { penStyle_ = s; }
    void setBrushColour(Colour c) { brushColour_ = c; }
    void setBrushStyle(BrushStyle s) { brushStyle_ = s; }
    void setFontName(const std::string& name) { fontName_ = name; }
    void setFontSize(int points) { fontSize_ = points; }
    void setFontBold(bool bold) { fontBold_ = bold; }
    void setFontColour(Colour c) { fontColour_ = c; }
    void setFontCharset(int charset) { fontCharset_ = charset; }

    Colour penColour() const { return penColour_; }
    int penWidth() const { return penWidth_; }
    PenStyle penStyle() const { return penStyle_; }
    Colour brushColour() const { return brushColour_; }
    BrushStyle brushStyle() const { return brushStyle_; }
    const std::string& fontName() const { return fontName_; }
    int fontSize() const { return fontSize_; }
    bool fontBold() const { return fontBold_; }
    Colour fontColour() const { return fontColour_; }
    int fontCharset() const { return fontCharset_; }
    Point currentPoint() const { return current_; }

    virtual void moveTo(int x, int y) { current_ = {x, y}; }
    virtual void lineTo(int x, int y) = 0;
    // moveTo(points[0]) then lineTo each further point; a device may do it faster in one go.
    virtual void polyline(const Point* points, std::size_t count);
    // Fills [left, right) x [top, bottom) with the brush colour (whatever the brush style).
    virtual void fillRect(int left, int top, int right, int bottom) = 0;
    // Text with its top-left corner at (x, y); the text's box is filled with the brush colour
    // when the brush style is solid, else the text stands on what is there.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    // Copies a whole surface with its top-left corner at (x, y).
    virtual void draw(int x, int y, const RasterSurface& source) = 0;

protected:
    Point current_;

private:
    Colour penColour_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    Colour brushColour_ = 0xFFFFFF;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    std::string fontName_ = "Arial";
    int fontSize_ = 10;
    bool fontBold_ = false;
    Colour fontColour_ = 0;
    int fontCharset_ = 0;
};

}  // namespace velundia
