// Reusable pieces of scenery for the page pictures: skies, hills, trees,
// houses, boats, flowers and the like, in a flat picture-book style. All
// take positions in picture pixels; y grows downwards.
#pragma once

#include "paint.h"

#include <initializer_list>

namespace content::motif {

// Paths and fills used everywhere.
void Ellipse(cairo_t* cr, double x, double y, double rx, double ry);
void Disc(cairo_t* cr, double x, double y, double r, Rgb colour, double alpha = 1.0);
void Fill(cairo_t* cr, Rgb colour, double alpha = 1.0);
void Stroke(cairo_t* cr, Rgb colour, double width);
Rgb Darker(Rgb colour, double amount);
Rgb Lighter(Rgb colour, double amount);

void Sky(cairo_t* cr, double w, double h, Rgb top, Rgb bottom);
void Sun(cairo_t* cr, double x, double y, double radius, Rgb core, Rgb glow);
void Moon(cairo_t* cr, double x, double y, double radius, Rgb light);
void Cloud(cairo_t* cr, double x, double y, double size, Rgb colour, double alpha = 1.0);
void Star(cairo_t* cr, double x, double y, double radius, int points, double inner);
void Bird(cairo_t* cr, double x, double y, double size, Rgb colour);

// Several clouds, or birds, of one colour, drawn in the order given.
struct CloudAt {
    double x;
    double y;
    double size;
    double alpha = 1.0;
};
void Clouds(cairo_t* cr, Rgb colour, std::initializer_list<CloudAt> clouds);
struct BirdAt {
    double x;
    double y;
    double size;
};
void Birds(cairo_t* cr, Rgb colour, std::initializer_list<BirdAt> birds);

// A band of land whose top edge rolls gently around `base`, filled down to
// `bottom` with a vertical gradient.
void Hill(cairo_t* cr, double w, double bottom, double base, double amplitude, double wavelength,
          double phase, Rgb top, Rgb low);
void Mountain(cairo_t* cr, double peakX, double peakY, double baseY, double halfWidth, Rgb rock,
              Rgb shade, Rgb snow);

void RoundTree(cairo_t* cr, double x, double ground, double size, Rgb leaves, Rgb trunk);
void PineTree(cairo_t* cr, double x, double ground, double height, Rgb leaves, Rgb trunk);
void PalmTree(cairo_t* cr, double x, double ground, double height, double lean, Rgb leaves,
              Rgb trunk);
void Bush(cairo_t* cr, double x, double ground, double size, Rgb colour);

struct HouseStyle {
    Rgb wall;
    Rgb roof;
    Rgb window;
    Rgb door;
    bool chimney = false;
};
void House(cairo_t* cr, double x, double ground, double w, double h, const HouseStyle& style);

void Boat(cairo_t* cr, double x, double water, double size, Rgb hull, Rgb sail, bool mirrored);
void Waves(cairo_t* cr, double w, double y, double amplitude, double wavelength, Rgb colour,
           double lineWidth, double phase = 0);
void Flower(cairo_t* cr, double x, double y, double radius, int petals, Rgb petal, Rgb centre);
void Tulip(cairo_t* cr, double x, double ground, double height, Rgb bloom, Rgb stem);
void Fence(cairo_t* cr, double x0, double x1, double ground, double height, Rgb colour);
void Fish(cairo_t* cr, double x, double y, double size, Rgb body, Rgb fin, bool facingLeft);
void Butterfly(cairo_t* cr, double x, double y, double size, Rgb wing, Rgb spot);
void Rainbow(cairo_t* cr, double cx, double cy, double radius, double band);
void Balloon(cairo_t* cr, double x, double y, double radius, Rgb a, Rgb b);
void Sheep(cairo_t* cr, double x, double ground, double size, bool facingLeft);

} // namespace content::motif
