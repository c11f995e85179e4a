#include "SampleWardrobe.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro::tools {

namespace {

struct SampleItem {
  const wchar_t* name;
  QColor colour;
  int shape;  // 0 shirt, 1 shoe, 2 hat, 3 coat
  const wchar_t* values[3];  // colour, size, season
};

struct SampleCollection {
  const wchar_t* name;
  std::vector<SampleItem> items;
};

QPainterPath garment(int shape) {
  QPainterPath path;
  switch (shape) {
    case 0:  // a shirt
      path.moveTo(70, 40);
      path.lineTo(110, 30);
      path.lineTo(130, 40);
      path.lineTo(150, 30);
      path.lineTo(190, 40);
      path.lineTo(220, 90);
      path.lineTo(190, 105);
      path.lineTo(180, 90);
      path.lineTo(180, 200);
      path.lineTo(80, 200);
      path.lineTo(80, 90);
      path.lineTo(70, 105);
      path.lineTo(40, 90);
      path.closeSubpath();
      break;
    case 1:  // a shoe
      path.moveTo(40, 150);
      path.lineTo(40, 90);
      path.lineTo(90, 90);
      path.cubicTo(110, 130, 170, 120, 215, 140);
      path.cubicTo(235, 150, 230, 175, 210, 175);
      path.lineTo(40, 175);
      path.closeSubpath();
      break;
    case 2:  // a hat
      path.addEllipse(QRectF(30, 140, 200, 40));
      path.addRoundedRect(QRectF(80, 70, 100, 90), 30, 30);
      break;
    default:  // a coat
      path.moveTo(85, 30);
      path.lineTo(175, 30);
      path.lineTo(215, 70);
      path.lineTo(215, 215);
      path.lineTo(45, 215);
      path.lineTo(45, 70);
      path.closeSubpath();
      break;
  }
  return path;
}

bool drawPhoto(const std::wstring& path, const SampleItem& item) {
  QImage image(260, 240, QImage::Format_RGB32);
  image.fill(QColor(238, 240, 236));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRect(0, 200, 260, 40), QColor(214, 206, 192));
  painter.setPen(QPen(item.colour.darker(160), 3));
  painter.setBrush(item.colour);
  painter.drawPath(garment(item.shape));
  painter.end();
  return image.save(QString::fromStdString(toUtf8(path)), "JPG", 88);
}

std::vector<SampleCollection> samples() {
  return {
      {L"Shirts",
       {{L"Linen shirt", QColor(230, 226, 214), 0, {L"white", L"M", L"summer"}},
        {L"Oxford shirt", QColor(120, 160, 210), 0, {L"light blue", L"L", L"all year"}},
        {L"Flannel shirt", QColor(176, 58, 46), 0, {L"red", L"M", L"winter"}},
        {L"Polo shirt", QColor(46, 125, 50), 0, {L"green", L"S", L"summer"}},
        {L"Denim shirt", QColor(60, 90, 140), 0, {L"blue", L"M", L"spring"}}}},
      {L"Shoes",
       {{L"Running shoes", QColor(240, 120, 40), 1, {L"orange", L"42", L"all year"}},
        {L"Leather boots", QColor(110, 70, 40), 1, {L"brown", L"43", L"winter"}},
        {L"Red sneakers", QColor(200, 40, 50), 1, {L"red", L"42", L"summer"}}}},
      {L"Summer Collection",
       {{L"Straw hat", QColor(222, 196, 120), 2, {L"beige", L"one size", L"summer"}},
        {L"Beach shirt", QColor(250, 200, 60), 0, {L"yellow", L"L", L"summer"}}}},
      {L"Coats", {{L"Wool coat", QColor(80, 80, 90), 3, {L"grey", L"L", L"winter"}}}},
      {L"Accessories", {}},
  };
}

}  // namespace

std::wstring makeSampleWardrobe(const std::wstring& folder) {
  const std::wstring drawn = folder + L"/drawn";
  if (!createFolders(drawn)) {
    std::fprintf(stderr, "cannot make %s\n", toUtf8(drawn).c_str());
    return {};
  }
  Wardrobe wardrobe(folder + L"/Sample Wardrobe", L"Sample Wardrobe");
  wardrobe.setWardrobeId(1);
  for (const SampleCollection& sample : samples()) {
    Collection* collection = wardrobe.collections().add(sample.name);
    Tag* tags[3] = {collection->tags().add(L"Colour"), collection->tags().add(L"Size"),
                    collection->tags().add(L"Season")};
    for (const SampleItem& sampleItem : sample.items) {
      const std::wstring photo = drawn + L"/" + sampleItem.name + L".jpg";
      Item* item = drawPhoto(photo, sampleItem) ? collection->items().addFromPhotoFile(photo) : nullptr;
      if (!item) {
        std::fprintf(stderr, "cannot add the sample photo %s\n", toUtf8(photo).c_str());
        return {};
      }
      for (int i = 0; i < 3; ++i) item->records().set(tags[i]->id(), sampleItem.values[i]);
    }
  }
  wardrobe.collections().setHotId(1);
  if (!writeWardrobe(wardrobe)) {
    std::fprintf(stderr, "cannot write the sample wardrobe in %s\n", toUtf8(folder).c_str());
    return {};
  }
  return wardrobe.wardrobeFilePath();
}

}  // namespace tavoro::tools
