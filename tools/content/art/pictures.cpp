#include "art/pictures.h"

#include "art/scenes.h"
#include "canvas.h"
#include "layout.h"

#include <stdexcept>

namespace content {

namespace {

struct PageScene {
    Scene draw;
    const char* title;
};

const PageScene kScenes[kPages] = {
    {scenes::FarmValley, "Farm valley on a sunny day"},
    {scenes::Lighthouse, "Lighthouse on the rocks"},
    {scenes::NightVillage, "Village under the moon"},
    {scenes::FlowerGarden, "Flower garden with butterflies"},
    {scenes::SnowyPeaks, "Snowy peaks over a lake"},
    {scenes::Harbour, "Harbour town"},
    {scenes::Balloons, "Balloons over the fields"},
    {scenes::Reef, "Coral reef"},
    {scenes::Windmill, "Windmill and tulip fields"},
    {scenes::TropicalSunset, "Sunset over the sea"},
    {scenes::AutumnForest, "Autumn forest path"},
    {scenes::Quilt, "Patchwork quilt"},
    {scenes::Castle, "Castle on the hill"},
    {scenes::RainbowValley, "Rainbow over the river"},
    {scenes::Desert, "Desert canyon"},
    {scenes::RoseWindow, "Rose window"},
    {scenes::WinterVillage, "Winter village and snowman"},
    {scenes::MarketStreet, "Market street"},
    {scenes::PondGarden, "Pond garden with a bridge"},
    {scenes::KiteBeach, "Kites on the beach"},
    {scenes::Farmyard, "Farmyard"},
    {scenes::Lagoon, "Island lagoon"},
    {scenes::Planets, "Planets and a rocket"},
    {scenes::StarTiles, "Star tiles"},
    {scenes::Waterfall, "Waterfall in the woods"},
    {scenes::Orchard, "Apple orchard"},
    {scenes::BeachHuts, "Beach huts and pier"},
    {scenes::DawnLake, "Mountain lake at dawn"},
    {scenes::HillTown, "White town by the sea"},
    {scenes::Fireworks, "Fireworks over the city"},
};

const PageScene& SceneEntry(int page) {
    if (page < 1 || page > kPages)
        throw std::out_of_range("page");
    return kScenes[page - 1];
}

} // namespace

Scene SceneOf(int page) {
    return SceneEntry(page).draw;
}

const char* PageTitle(int page) {
    return SceneEntry(page).title;
}

Image PagePicture(int page) {
    Canvas canvas(kPictureArea.w, kPictureArea.h);
    SceneOf(page)(canvas.Context(), kPictureArea.w, kPictureArea.h);
    Image picture = canvas.ToImage();
    Avoid(picture, kKey);
    Avoid(picture, kShadow);
    return picture;
}

} // namespace content
