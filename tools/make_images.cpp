// make_images.cpp -- draws the pictures shipped with Le cinquor: the table (fond.bmp), the dice sheet
// (des.bmp), the tables and dice of the other looks (nuit, contraste, casino), the 16-colour icons, and the
// launcher's icon at every size a Linux desktop asks for.
// Run at build time: make_images OUTPUT-FOLDER.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "tools/bmp.h"

namespace {

using bmp::Image;
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b) { return Colour(r) | Colour(g) << 8 | Colour(b) << 16; }
int red(Colour c) { return c & 0xFF; }
int green(Colour c) { return (c >> 8) & 0xFF; }
int blue(Colour c) { return (c >> 16) & 0xFF; }
int clampByte(double v) { return std::clamp(int(std::lround(v)), 0, 255); }

Colour mix(Colour a, Colour b, double t) {
    return rgb(clampByte(red(a) + (red(b) - red(a)) * t), clampByte(green(a) + (green(b) - green(a)) * t),
               clampByte(blue(a) + (blue(b) - blue(a)) * t));
}
Colour shade(Colour c, double f) { return rgb(clampByte(red(c) * f), clampByte(green(c) * f), clampByte(blue(c) * f)); }

// A small deterministic noise, so that every build draws the same pictures.
double noise(int x, int y, unsigned seed) {
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double((h ^ (h >> 16)) & 0xFFFF) / 65535.0 - 0.5;
}

// Signed distance from (px, py) to a rounded rectangle; negative inside.
double roundedBox(double px, double py, double left, double top, double right, double bottom, double radius) {
    const double cx = (left + right) / 2, cy = (top + bottom) / 2;
    const double hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
    const double dx = std::max(std::abs(px - cx) - hx, 0.0), dy = std::max(std::abs(py - cy) - hy, 0.0);
    const double outside = std::hypot(dx, dy);
    const double inside = std::min(std::max(std::abs(px - cx) - hx, std::abs(py - cy) - hy), 0.0);
    return outside + inside - radius;
}

// Coverage of a shape over pixel (x, y), by 4 x 4 samples.
double coverage(int x, int y, const std::function<bool(double, double)>& inside) {
    int hits = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
    }
    return hits / 16.0;
}

// Paints a shape with smooth edges.
void paint(Image& image, int left, int top, int right, int bottom, Colour colour,
           const std::function<bool(double, double)>& inside) {
    for (int y = std::max(top, 0); y < std::min(bottom, image.height); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, image.width); ++x) {
            const double c = coverage(x, y, inside);
            if (c > 0) image.at(x, y) = mix(image.at(x, y), colour, c);
        }
    }
}

// The colours of a look's table and dice. The tray's liner is also the colour of the dice sprites'
// corners, so that they sit seamlessly in the tray.
struct Look {
    Colour felt, wood, liner, sheet, gold;
    double weave;  // the felt's texture, 0 for a flat colour
    Colour body, pips, onePip;
};

const Look kGreen{rgb(20, 92, 56),  rgb(150, 96, 52), rgb(232, 220, 194), rgb(10, 58, 36), rgb(196, 160, 72),
                  1.0,              rgb(252, 250, 244), rgb(28, 28, 36), rgb(196, 28, 36)};
// Evening: a night-blue cloth, dark walnut, slate dice with soft ivory pips, silver rules.
const Look kNight{rgb(22, 30, 56),  rgb(66, 48, 38),  rgb(40, 44, 62),  rgb(14, 18, 36), rgb(128, 146, 186),
                  0.6,              rgb(74, 82, 108), rgb(222, 212, 180), rgb(232, 140, 122)};
// Low vision: black, white and nothing between; the dice white with black pips.
const Look kContrast{rgb(0, 0, 0),  rgb(255, 255, 255), rgb(0, 0, 0),   rgb(0, 0, 0),    rgb(255, 255, 255),
                     0.0,           rgb(255, 255, 255), rgb(0, 0, 0),   rgb(0, 0, 0)};
// The casino: red baize, black lacquer and gold, red dice with white pips.
const Look kCasino{rgb(120, 18, 28), rgb(28, 24, 24),  rgb(24, 20, 20), rgb(74, 8, 16),  rgb(222, 182, 84),
                   0.8,             rgb(204, 26, 38), rgb(250, 246, 236), rgb(250, 246, 236)};

Image makeTable(const Look& look) {
    Image table(511, 446);
    // Green felt, lighter in the middle, with a fine weave.
    for (int y = 0; y < table.height; ++y) {
        for (int x = 0; x < table.width; ++x) {
            const double dx = (x - 255.0) / 300, dy = (y - 240.0) / 280;
            const double light = 1.12 - 0.45 * (dx * dx + dy * dy);
            const double weave = look.weave * (0.05 * noise(x, y, 1) + 0.025 * ((x + y) % 3 == 0));
            table.at(x, y) = shade(look.felt, look.weave > 0 ? light + weave : 1.0);
        }
    }
    // The wooden tray for the dice, its liner, and the dice band it frames.
    const Colour wood = look.wood;
    for (int y = 4; y < 112; ++y) {
        for (int x = 50; x < 442; ++x) {
            const double d = roundedBox(x + 0.5, y + 0.5, 52, 6, 440, 110, 12);
            if (d > 0.5) continue;
            const double grain = look.weave > 0 ? 0.12 * std::sin(y * 0.9 + 3 * std::sin(x * 0.03)) + 0.06 * noise(x, y, 2) : 0;
            Colour c = shade(wood, 1.0 + grain - (d > -3 ? 0.25 : 0));
            if (d > -0.5) c = mix(table.at(x, y), c, 0.5 - d);
            table.at(x, y) = c;
        }
    }
    paint(table, 60, 12, 434, 106, look.weave > 0 ? shade(wood, 0.55) : look.liner, [](double x, double y) {
        return roundedBox(x, y, 61, 13, 433, 105, 8) < 0;
    });
    paint(table, 60, 12, 434, 106, look.liner, [](double x, double y) {
        return roundedBox(x, y, 63, 15, 431, 103, 7) < 0;
    });
    // A soft shadow on the felt below the tray.
    for (int y = 110; y < 118 && look.weave > 0; ++y) {
        for (int x = 56; x < 440; ++x) table.at(x, y) = shade(table.at(x, y), 0.75 + 0.03 * (y - 110));
    }
    // The score sheet: a darker field with gold rules between its three rows and five columns.
    const Colour gold = look.gold;
    paint(table, 0, 170, 511, 272, look.sheet, [](double x, double y) {
        return roundedBox(x, y, -8, 172, 503, 270, 10) < 0;
    });
    for (int row = 0; row < 2; ++row) {
        const int y = 205 + 30 * row;
        for (int x = 4; x < 494; ++x) table.at(x, y) = mix(table.at(x, y), gold, 0.55);
    }
    for (int column = 1; column < 5; ++column) {
        const int x = 100 * column - 8;
        for (int y = 178; y < 266; ++y) table.at(x, y) = mix(table.at(x, y), gold, 0.45);
    }
    paint(table, 0, 168, 511, 274, gold, [](double x, double y) {
        const double d = roundedBox(x, y, -8, 172, 503, 270, 10);
        return d < 0 && d > -1.5;
    });
    // The status line's darker strip at the foot of the board.
    for (int y = 400; y < table.height; ++y) {
        for (int x = 0; x < table.width; ++x) table.at(x, y) = shade(table.at(x, y), y < 402 ? 0.5 : 0.62);

    }
    for (int x = 0; x < table.width; ++x) table.at(x, 400) = mix(table.at(x, 400), gold, 0.6);
    if (look.weave == 0) {  // a flat look keeps its rules sharp: no half tones
        for (int y = 0; y < table.height; ++y) {
            for (int x = 0; x < table.width; ++x) {
                const Colour c = table.at(x, y);
                table.at(x, y) = red(c) + green(c) + blue(c) > 3 * 96 ? rgb(255, 255, 255) : rgb(0, 0, 0);
            }
        }
    }
    return table;
}

// Pip centres of each face on a 48 x 48 die, in thirds of the face.
const int kPips[6][6][2] = {
    {{1, 1}},
    {{0, 0}, {2, 2}},
    {{0, 0}, {1, 1}, {2, 2}},
    {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
    {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
    {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}},
};

Image makeDice(const Look& look) {
    Image dice(48, 288, look.liner);
    for (int f = 0; f < 6; ++f) {
        const int top = 48 * f;
        // Shadow, body with a light top-left and a darker rim, then the pips.
        const Colour shadow = look.weave > 0 ? shade(look.liner, 0.62) : look.liner;
        paint(dice, 0, top, 48, top + 48, shadow, [top](double x, double y) {
            return roundedBox(x, y - top, 5, 5, 46, 46, 8) < 0;
        });
        for (int y = top; y < top + 48; ++y) {
            for (int x = 0; x < 48; ++x) {
                const double c = coverage(x, y, [top](double px, double py) {
                    return roundedBox(px, py - top, 2, 2, 44, 44, 8) < 0;
                });
                if (c <= 0) continue;
                const double edge = -roundedBox(x + 0.5, y - top + 0.5, 2, 2, 44, 44, 8);
                const double light = look.weave > 0 ? 1.0 - 0.06 * ((x + (y - top)) / 88.0) - (edge < 2.5 ? 0.12 : 0) : 1.0;
                dice.at(x, y) = mix(dice.at(x, y), shade(look.body, light), c);
            }
        }
        const int count = f + 1;
        const Colour pipColour = count == 1 ? look.onePip : look.pips;
        const double radius = count == 1 ? 5.5 : 4.3;
        for (int p = 0; p < count; ++p) {
            const double cx = 12 + 11 * kPips[f][p][0], cy = top + 12 + 11 * kPips[f][p][1];
            paint(dice, int(cx) - 7, int(cy) - 7, int(cx) + 8, int(cy) + 8, pipColour,
                  [cx, cy, radius](double x, double y) { return std::hypot(x - cx, y - cy) < radius; });
        }
    }
    return dice;
}

// The 16 colours of the classic palette, in their standard order.
const Colour kPalette[16] = {
    rgb(0, 0, 0),     rgb(128, 0, 0),   rgb(0, 128, 0),   rgb(128, 128, 0), rgb(0, 0, 128),   rgb(128, 0, 128),
    rgb(0, 128, 128), rgb(192, 192, 192), rgb(128, 128, 128), rgb(255, 0, 0), rgb(0, 255, 0), rgb(255, 255, 0),
    rgb(0, 0, 255),   rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 255),
};

// An icon image: palette indexes, 255 for transparent.
struct IconImage {
    int size;
    std::string pixels;  // size * size indexes, top row first
};

// A die of `face` in `body` colour with pips of `pip` colour, on a round table of `table` colour.
IconImage drawIcon(int size, int face, int body, int pip, int table) {
    IconImage icon{size, std::string(std::size_t(size) * size, char(255))};
    const double s = size / 32.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double px = (x + 0.5) / s, py = (y + 0.5) / s;
            char index = char(255);
            if (table >= 0 && std::hypot(px - 16, py - 16) < 15.5) index = char(table);
            if (roundedBox(px, py, 6, 6, 27, 27, 4) < 0) index = char(0);        // outline
            if (roundedBox(px, py, 7, 7, 26, 26, 3.5) < 0) index = char(body);
            for (int p = 0; p < face; ++p) {
                const double cx = 10.5 + 6 * kPips[face - 1][p][0], cy = 10.5 + 6 * kPips[face - 1][p][1];
                if (std::hypot(px - cx, py - cy) < (size <= 16 ? 2.6 : 2.2)) index = char(pip);
            }
            icon.pixels[std::size_t(y) * size + x] = index;
        }
    }
    return icon;
}

void put16(std::string& out, unsigned v) { bmp::put16(out, v); }
void put32(std::string& out, std::uint32_t v) { bmp::put32(out, v); }

// A 16-colour .ico file holding `images`.
std::string encodeIcon(const std::initializer_list<IconImage>& images) {
    std::string header, data;
    put16(header, 0);
    put16(header, 1);
    put16(header, unsigned(images.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (const IconImage& icon : images) {
        const int n = icon.size;
        const std::uint32_t xorStride = (std::uint32_t(n) * 4 / 8 + 3) / 4 * 4;
        const std::uint32_t andStride = (std::uint32_t(n) / 8 + 3) / 4 * 4;
        std::string image;
        put32(image, 40);
        put32(image, std::uint32_t(n));
        put32(image, std::uint32_t(2 * n));  // colour and mask bitmaps stacked
        put16(image, 1);
        put16(image, 4);
        put32(image, 0);
        put32(image, (xorStride + andStride) * std::uint32_t(n));
        put32(image, 0);
        put32(image, 0);
        put32(image, 16);
        put32(image, 0);
        for (Colour c : kPalette) {
            image += char(blue(c));
            image += char(green(c));
            image += char(red(c));
            image += '\0';
        }
        for (int y = n - 1; y >= 0; --y) {
            std::string row(xorStride, '\0');
            for (int x = 0; x < n; ++x) {
                const unsigned char index = icon.pixels[std::size_t(y) * n + x];
                const unsigned char nibble = index == 255 ? 0 : index;
                row[x / 2] = char(row[x / 2] | (x % 2 ? nibble : nibble << 4));
            }
            image += row;
        }
        for (int y = n - 1; y >= 0; --y) {
            std::string row(andStride, '\0');
            for (int x = 0; x < n; ++x) {
                if (static_cast<unsigned char>(icon.pixels[std::size_t(y) * n + x]) == 255) {
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
                }
            }
            image += row;
        }
        header += char(n);
        header += char(n);
        header += char(16);
        header += '\0';
        put16(header, 1);
        put16(header, 4);
        put32(header, std::uint32_t(image.size()));
        put32(header, offset);
        offset += std::uint32_t(image.size());
        data += image;
    }
    return header + data;
}

void putBig32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += char(v >> shift & 0xFF);
}

std::uint32_t crc32(const std::string& bytes, std::size_t from) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = from; i < bytes.size(); ++i) {
        crc ^= static_cast<unsigned char>(bytes[i]);
        for (int k = 0; k < 8; ++k) crc = crc & 1 ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

void pngChunk(std::string& out, const char* type, const std::string& data) {
    putBig32(out, std::uint32_t(data.size()));
    const std::size_t start = out.size();
    out += type;
    out += data;
    putBig32(out, crc32(out, start));
}

// The launcher's icon at `size` pixels, drawn for that size: a five on an ivory die over a disc of green
// felt. Edges fall on whole pixels at every size; small sizes get a firm outline and pips of at least a
// pixel and a half, large ones a shadow and a light on the die. RGBA, top row first, 4 bytes a pixel.
std::string drawLauncherIcon(int size) {
    const double n = size;
    const bool small = size <= 24;  // a larger die, and pips of whole pixels centred on pixel corners
    const double margin = std::round(n * (small ? 4 : 6) / 32);
    const double left = margin;
    const double right = n - margin + (small && size % 16 ? 1 : 0);  // odd widths centre the pips on pixels
    const double radius = n * (small ? 3 : 4) / 32;
    const double outline = std::max(1.0, std::round(n / 32));
    const double pipRadius = small ? (size % 16 ? 2.0 : 1.15) : n * 2.3 / 32;
    const double pipStep = std::round((right - left) * (small ? 0.28 : 0.27));
    const double centre = n / 2;
    const double dieCentre = (left + right) / 2;
    const bool large = size >= 48;
    constexpr int kSamples = 5;  // per axis: 25 samples a pixel
    std::string rgba;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double r = 0, g = 0, b = 0, a = 0;  // premultiplied sums
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSamples, py = y + (sy + 0.5) / kSamples;
                    double alpha = 0;
                    Colour c = 0;
                    const double fromCentre = std::hypot(px - centre, py - centre) / (n * 15.5 / 32);
                    if (fromCentre < 1) {
                        c = mix(rgb(40, 140, 75), rgb(12, 80, 40), fromCentre * fromCentre);
                        alpha = 1;
                    }
                    const double shadow = roundedBox(px, py, left + outline, left + outline * 2, right + outline,
                                                     right + outline * 2, radius);
                    if (large && shadow < 0) {
                        c = mix(c, rgb(0, 0, 0), 0.45);
                        alpha = std::max(alpha, 0.45);
                    }
                    if (roundedBox(px, py, left, left, right, right, radius) < 0) {
                        c = rgb(35, 28, 20);
                        alpha = 1;
                    }
                    const double inside = roundedBox(px, py, left + outline, left + outline, right - outline,
                                                     right - outline, std::max(0.5, radius - outline));
                    if (inside < 0) {
                        const double light = large ? (py - left) / (right - left) : 0.3;
                        c = mix(rgb(255, 252, 240), rgb(226, 216, 192), light);
                    }
                    for (int p = 0; p < 5; ++p) {
                        const double cx = dieCentre + pipStep * (kPips[4][p][0] - 1);
                        const double cy = dieCentre + pipStep * (kPips[4][p][1] - 1);
                        if (std::hypot(px - cx, py - cy) < pipRadius) c = rgb(28, 24, 30);
                    }
                    r += red(c) * alpha;
                    g += green(c) * alpha;
                    b += blue(c) * alpha;
                    a += alpha;
                }
            }
            rgba += char(a > 0 ? clampByte(r / a) : 0);
            rgba += char(a > 0 ? clampByte(g / a) : 0);
            rgba += char(a > 0 ? clampByte(b / a) : 0);
            rgba += char(clampByte(255 * a / (kSamples * kSamples)));
        }
    }
    return rgba;
}

// The icon for a phone's home screen, which cuts it to its own shape (a circle, a rounded square): the
// felt fills the whole square and the disc with its die stays inside the middle 80 %, which every shape
// keeps.
std::string drawMaskableIcon(int size) {
    const int inner = size * 25 / 32;
    const int offset = (size - inner) / 2;
    const std::string icon = drawLauncherIcon(inner);
    std::string rgba;
    const Colour felt = rgb(12, 80, 40);  // the disc's edge
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double r = red(felt), g = green(felt), b = blue(felt);
            if (x >= offset && x < offset + inner && y >= offset && y < offset + inner) {
                const std::size_t at = (std::size_t(y - offset) * inner + (x - offset)) * 4;
                const double a = static_cast<unsigned char>(icon[at + 3]) / 255.0;
                r = r * (1 - a) + static_cast<unsigned char>(icon[at]) * a;
                g = g * (1 - a) + static_cast<unsigned char>(icon[at + 1]) * a;
                b = b * (1 - a) + static_cast<unsigned char>(icon[at + 2]) * a;
            }
            rgba += char(clampByte(r));
            rgba += char(clampByte(g));
            rgba += char(clampByte(b));
            rgba += char(255);
        }
    }
    return rgba;
}

// The same icon as a scalable picture, on the same grid at 256 pixels.
std::string launcherIconSvg() {
    return R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <radialGradient id="felt" cx="128" cy="128" r="124" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#288c4b"/>
      <stop offset="1" stop-color="#0c5028"/>
    </radialGradient>
    <linearGradient id="ivory" x1="0" y1="48" x2="0" y2="208" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#fffcf0"/>
      <stop offset="1" stop-color="#e2d8c0"/>
    </linearGradient>
  </defs>
  <circle cx="128" cy="128" r="124" fill="url(#felt)"/>
  <rect x="56" y="64" width="160" height="160" rx="32" fill="#000" fill-opacity="0.45"/>
  <rect x="48" y="48" width="160" height="160" rx="32" fill="#231c14"/>
  <rect x="56" y="56" width="144" height="144" rx="24" fill="url(#ivory)"/>
  <g fill="#1c181e">
    <circle cx="85" cy="85" r="18.4"/>
    <circle cx="171" cy="85" r="18.4"/>
    <circle cx="128" cy="128" r="18.4"/>
    <circle cx="85" cy="171" r="18.4"/>
    <circle cx="171" cy="171" r="18.4"/>
  </g>
</svg>
)svg";
}

// An RGBA picture as a PNG, for the Linux desktop's launcher. Its pixels go in stored (uncompressed)
// deflate blocks: no compressor to carry.
std::string encodePng(int n, const std::string& rgba) {
    std::string raw;
    for (int y = 0; y < n; ++y) {
        raw += '\0';  // no filter
        raw.append(rgba, std::size_t(y) * n * 4, std::size_t(n) * 4);
    }
    std::string z = "\x78\x01";
    for (std::size_t at = 0; at < raw.size(); at += 65535) {
        const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
        z += char(at + length == raw.size() ? 1 : 0);
        put16(z, unsigned(length));
        put16(z, unsigned(~length & 0xFFFF));
        z.append(raw, at, length);
    }
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    putBig32(z, b << 16 | a);
    std::string header;
    putBig32(header, std::uint32_t(n));
    putBig32(header, std::uint32_t(n));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter, no interlace
    std::string png = "\x89PNG\r\n\x1a\n";
    pngChunk(png, "IHDR", header);
    pngChunk(png, "IDAT", z);
    pngChunk(png, "IEND", "");
    return png;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_images OUTPUT-FOLDER\n");
        return 2;
    }
    const std::string out = std::string(argv[1]) + "/";
    // Program icon: a white five on the green table; small icon likewise; About: a red three.
    const bool ok = bmp::write(out + "fond.bmp", makeTable(kGreen)) && bmp::write(out + "des.bmp", makeDice(kGreen)) &&
                    bmp::write(out + "fond-nuit.bmp", makeTable(kNight)) &&
                    bmp::write(out + "des-nuit.bmp", makeDice(kNight)) &&
                    bmp::write(out + "fond-contraste.bmp", makeTable(kContrast)) &&
                    bmp::write(out + "des-contraste.bmp", makeDice(kContrast)) &&
                    bmp::write(out + "fond-casino.bmp", makeTable(kCasino)) &&
                    bmp::write(out + "des-casino.bmp", makeDice(kCasino)) &&
                    writeFile(out + "cinquor.ico", encodeIcon({drawIcon(32, 5, 15, 0, 2), drawIcon(16, 5, 15, 0, 2)})) &&
                    writeFile(out + "petit.ico", encodeIcon({drawIcon(16, 5, 15, 0, 2)})) &&
                    writeFile(out + "apropos.ico", encodeIcon({drawIcon(32, 3, 9, 15, -1), drawIcon(16, 3, 9, 15, -1)})) &&
                    writeFile(out + "icon.svg", launcherIconSvg());
    bool icons = true;
    // The desktop launcher's sizes, then the page's for the browsers that install it.
    for (int size : {16, 24, 32, 48, 64, 128, 256, 192, 512}) {
        icons = icons && writeFile(out + "icon-" + std::to_string(size) + ".png", encodePng(size, drawLauncherIcon(size)));
    }
    icons = icons && writeFile(out + "icon-maskable-512.png", encodePng(512, drawMaskableIcon(512)));
    if (!ok || !icons) {
        std::fprintf(stderr, "make_images: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
