#include "photos/piece_outline.h"

#include <algorithm>
#include <cmath>

namespace photos {

namespace {

constexpr double kPi = 3.14159265358979323846;
// One side of a jigsaw piece: a straight edge with an optional round tab
// (out) or blank (in) of the given depth.
void AddEdge(Polygon& out, Vec start, Vec end, Vec outward, Side side, double depth,
             Random& random) {
    const double length = std::hypot(end.x - start.x, end.y - start.y);
    const Vec along{(end.x - start.x) / length, (end.y - start.y) / length};
    const double sign = side == Side::kOut ? 1.0 : -1.0;
    auto at = [&](double u, double v) {
        return Vec{start.x + along.x * u + outward.x * v * sign,
                   start.y + along.y * u + outward.y * v * sign};
    };
    out.push_back(start);
    if (side == Side::kFlat)
        return;
    const double centre = length * random.Uniform(0.42, 0.58);
    const double radius = depth * random.Uniform(0.44, 0.5);
    const double neck = radius * random.Uniform(0.52, 0.62);
    const double fillet = radius * 0.5;
    const double headCentre = depth - radius;
    const double join = headCentre - std::sqrt(radius * radius - neck * neck);
    const double rise = std::min(fillet, join);
    // Base fillet into the neck on the way up.
    for (int i = 0; i <= 6; ++i) {
        const double s = i / 6.0;
        const double u0 = centre - neck - fillet, u1 = centre - neck;
        const double u = (1 - s) * (1 - s) * u0 + 2 * s * (1 - s) * u1 + s * s * u1;
        const double v = s * s * rise;
        out.push_back(at(u, v));
    }
    // Round the head from the left join over the top to the right join.
    const double from = std::atan2(join - headCentre, -neck) + 2 * kPi;
    const double to = std::atan2(join - headCentre, neck);
    const int steps = 40;
    for (int i = 0; i <= steps; ++i) {
        const double angle = from + (to - from) * i / steps;
        out.push_back(at(centre + radius * std::cos(angle), headCentre + radius * std::sin(angle)));
    }
    for (int i = 0; i <= 6; ++i) {
        const double s = i / 6.0;
        const double u0 = centre + neck, u1 = centre + neck + fillet;
        const double u = (1 - s) * (1 - s) * u0 + 2 * s * (1 - s) * u0 + s * s * u1;
        const double v = (1 - s) * (1 - s) * rise;
        out.push_back(at(u, v));
    }
}

Side DrawSide(Random& random) {
    const double roll = random.Uniform();
    return roll < 0.47 ? Side::kOut : roll < 0.84 ? Side::kIn : Side::kFlat;
}

} // namespace

Polygon JigsawWithSides(const Side sides[4], double w, double h, double depth, Random& random) {
    const double x0 = sides[3] == Side::kOut ? depth : 0;
    const double x1 = sides[1] == Side::kOut ? w - depth : w;
    const double y0 = sides[0] == Side::kOut ? depth : 0;
    const double y1 = sides[2] == Side::kOut ? h - depth : h;
    Polygon out;
    AddEdge(out, {x0, y0}, {x1, y0}, {0, -1}, sides[0], depth, random);
    AddEdge(out, {x1, y0}, {x1, y1}, {1, 0}, sides[1], depth, random);
    AddEdge(out, {x1, y1}, {x0, y1}, {0, 1}, sides[2], depth, random);
    AddEdge(out, {x0, y1}, {x0, y0}, {-1, 0}, sides[3], depth, random);
    return out;
}

Polygon JigsawOutline(Random& random, int w, int h) {
    Side sides[4];
    int shaped = 0;
    do {
        shaped = 0;
        for (Side& side : sides) {
            side = DrawSide(random);
            shaped += side != Side::kFlat;
        }
    } while (shaped < 3);
    const double depth = std::max(14.0, 0.25 * std::min(w, h));
    return JigsawWithSides(sides, w, h, depth, random);
}

// A superellipse with a few low harmonics, stretched to fill its box.
Polygon PebbleOutline(Random& random, int w, int h) {
    const double power = random.Uniform(2.2, 3.4);
    double amplitude[6] = {};
    double phase[6] = {};
    for (int k = 2; k <= 5; ++k) {
        amplitude[k] = random.Uniform(0.015, 0.11) / std::sqrt(k - 1.0);
        phase[k] = random.Uniform(0, 2 * kPi);
    }
    const int steps = 240;
    Polygon raw;
    for (int i = 0; i < steps; ++i) {
        const double angle = 2 * kPi * i / steps;
        const double c = std::cos(angle), s = std::sin(angle);
        double radius =
            std::pow(std::pow(std::fabs(c), power) + std::pow(std::fabs(s), power), -1.0 / power);
        for (int k = 2; k <= 5; ++k)
            radius *= 1.0 + amplitude[k] * std::cos(k * angle + phase[k]);
        raw.push_back({c * radius, s * radius});
    }
    double minX = raw[0].x, maxX = raw[0].x, minY = raw[0].y, maxY = raw[0].y;
    for (const Vec& p : raw) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    Polygon out;
    for (const Vec& p : raw)
        out.push_back({(p.x - minX) / (maxX - minX) * w, (p.y - minY) / (maxY - minY) * h});
    return out;
}

Mask Rasterize(const Polygon& polygon, int w, int h) {
    Mask mask(w, h);
    std::vector<double> crossings;
    for (int y = 0; y < h; ++y) {
        const double sampleY = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < polygon.size(); ++i) {
            const Vec& a = polygon[i];
            const Vec& b = polygon[(i + 1) % polygon.size()];
            if ((a.y <= sampleY) != (b.y <= sampleY))
                crossings.push_back(a.x + (sampleY - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            for (int x = std::max(0, static_cast<int>(std::ceil(crossings[i] - 0.5)));
                 x < w && x + 0.5 < crossings[i + 1]; ++x)
                mask.Set(x, y, true);
    }
    return mask;
}

} // namespace photos
