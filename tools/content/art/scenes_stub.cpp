#include "art/scenes.h"
#include "art/motifs.h"
namespace content::scenes {
void Lighthouse(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void NightVillage(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void FlowerGarden(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void SnowyPeaks(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Harbour(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Balloons(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Reef(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Windmill(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void TropicalSunset(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void AutumnForest(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Quilt(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Castle(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void RainbowValley(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Desert(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void RoseWindow(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void WinterVillage(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void MarketStreet(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void PondGarden(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void KiteBeach(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Farmyard(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Lagoon(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Planets(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void StarTiles(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Waterfall(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Orchard(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void BeachHuts(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void DawnLake(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void HillTown(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
void Fireworks(cairo_t* cr, double w, double h) { FarmValley(cr, w, h); }
}
