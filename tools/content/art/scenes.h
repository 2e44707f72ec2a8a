// The scene drawings behind the page pictures, grouped by theme.
#pragma once

#include <cairo.h>

namespace content::scenes {

void FarmValley(cairo_t* cr, double w, double h);
void Lighthouse(cairo_t* cr, double w, double h);
void NightVillage(cairo_t* cr, double w, double h);
void FlowerGarden(cairo_t* cr, double w, double h);
void SnowyPeaks(cairo_t* cr, double w, double h);
void Harbour(cairo_t* cr, double w, double h);
void Balloons(cairo_t* cr, double w, double h);
void Reef(cairo_t* cr, double w, double h);
void Windmill(cairo_t* cr, double w, double h);
void TropicalSunset(cairo_t* cr, double w, double h);
void AutumnForest(cairo_t* cr, double w, double h);
void Quilt(cairo_t* cr, double w, double h);
void Castle(cairo_t* cr, double w, double h);
void RainbowValley(cairo_t* cr, double w, double h);
void Desert(cairo_t* cr, double w, double h);
void RoseWindow(cairo_t* cr, double w, double h);
void WinterVillage(cairo_t* cr, double w, double h);
void MarketStreet(cairo_t* cr, double w, double h);
void PondGarden(cairo_t* cr, double w, double h);
void KiteBeach(cairo_t* cr, double w, double h);
void Farmyard(cairo_t* cr, double w, double h);
void Lagoon(cairo_t* cr, double w, double h);
void Planets(cairo_t* cr, double w, double h);
void StarTiles(cairo_t* cr, double w, double h);
void Waterfall(cairo_t* cr, double w, double h);
void Orchard(cairo_t* cr, double w, double h);
void BeachHuts(cairo_t* cr, double w, double h);
void DawnLake(cairo_t* cr, double w, double h);
void HillTown(cairo_t* cr, double w, double h);
void Fireworks(cairo_t* cr, double w, double h);

} // namespace content::scenes
