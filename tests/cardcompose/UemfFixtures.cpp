// Writes the fixtures through libUEMF's record builders, not through the player's own code.
#include "UemfFixtures.h"

extern "C" {
#include <uemf.h>
#include <uemf_utf.h>
#include <uwmf.h>
}

#include <cstdlib>

#include <QByteArray>

namespace UemfFixtures {

namespace {

U_COLORREF Colour(QColor c) { return U_RGB(uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())); }

U_RECTL Rect(QRect r) { return rectl_set(point32_set(r.left(), r.top()), point32_set(r.right() + 1, r.bottom() + 1)); }

} // namespace

bool WriteEmf(const QString& path, int frameW, int frameH, int windowW, int windowH, QColor paper, QColor ink,
              QRect box, QRect oval)
{
    EMFTRACK* et = nullptr;
    EMFHANDLES* eht = nullptr;
    const QByteArray name = path.toLocal8Bit();
    if (emf_start(name.constData(), 1000000, 250000, &et) || emf_htable_create(128, 128, &eht)) return false;
    // A 96-dpi device: 1920 x 1440 pixels on 508 x 381 mm.
    const int pixelsW = frameW * 96 / 2540, pixelsH = frameH * 96 / 2540;
    const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(pixelsW - 1, pixelsH - 1));
    const U_RECTL frame = rectl_set(point32_set(0, 0), point32_set(frameW, frameH));
    emf_append((PU_ENHMETARECORD)U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, sizel_set(1920, 1440),
                                                 sizel_set(508, 381), 0), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRSETWINDOWEXTEX_set(sizel_set(windowW, windowH)), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRSETVIEWPORTEXTEX_set(sizel_set(pixelsW, pixelsH)), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)selectobject_set(U_NULL_PEN, eht), et, U_REC_FREE);

    uint32_t brush = 0;
    emf_append((PU_ENHMETARECORD)createbrushindirect_set(&brush, eht, logbrush_set(U_BS_SOLID, Colour(paper), 0)), et,
               U_REC_FREE);
    emf_append((PU_ENHMETARECORD)selectobject_set(brush, eht), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRRECTANGLE_set(Rect(QRect(0, 0, windowW, windowH))), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)deleteobject_set(&brush, eht), et, U_REC_FREE);

    emf_append((PU_ENHMETARECORD)createbrushindirect_set(&brush, eht, logbrush_set(U_BS_SOLID, Colour(ink), 0)), et,
               U_REC_FREE);
    emf_append((PU_ENHMETARECORD)selectobject_set(brush, eht), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRRECTANGLE_set(Rect(box)), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRELLIPSE_set(Rect(oval)), et, U_REC_FREE);
    // A triangle as a path in the lower right quarter.
    emf_append((PU_ENHMETARECORD)U_EMRBEGINPATH_set(), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRMOVETOEX_set(point32_set(windowW * 3 / 4, windowH * 5 / 8)), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRLINETO_set(point32_set(windowW * 7 / 8, windowH * 7 / 8)), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRLINETO_set(point32_set(windowW * 5 / 8, windowH * 7 / 8)), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRCLOSEFIGURE_set(), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRENDPATH_set(), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRFILLPATH_set(bounds), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)deleteobject_set(&brush, eht), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMREOF_set(0, nullptr, et), et, U_REC_FREE);
    const bool ok = emf_finish(et, eht) == 0;
    emf_free(&et);
    emf_htable_free(&eht);
    return ok;
}

bool WriteTransformedEmf(const QString& path)
{
    EMFTRACK* et = nullptr;
    EMFHANDLES* eht = nullptr;
    const QByteArray name = path.toLocal8Bit();
    if (emf_start(name.constData(), 1000000, 250000, &et) || emf_htable_create(128, 128, &eht)) return false;
    const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(191, 95));
    const U_RECTL frame = rectl_set(point32_set(0, 0), point32_set(5080, 2540));
    emf_append((PU_ENHMETARECORD)U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, sizel_set(1920, 1440),
                                                 sizel_set(508, 381), 0), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)selectobject_set(U_NULL_PEN, eht), et, U_REC_FREE);
    auto brush = [&](QColor c) {
        uint32_t ih = 0;
        emf_append((PU_ENHMETARECORD)createbrushindirect_set(&ih, eht, logbrush_set(U_BS_SOLID, Colour(c), 0)), et, U_REC_FREE);
        emf_append((PU_ENHMETARECORD)selectobject_set(ih, eht), et, U_REC_FREE);
    };
    brush(Qt::white);
    emf_append((PU_ENHMETARECORD)U_EMRRECTANGLE_set(Rect(QRect(0, 0, 192, 96))), et, U_REC_FREE);
    brush(Qt::red);
    emf_append((PU_ENHMETARECORD)U_EMRSAVEDC_set(), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRSETWORLDTRANSFORM_set(xform_set(2, 0, 0, 2, 10, 10)), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRPIE_set(rectl_set(point32_set(0, 0), point32_set(20, 20)), point32_set(20, 10),
                                              point32_set(10, 0)), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRRESTOREDC_set(-1), et, U_REC_FREE);
    brush(Qt::green);
    emf_append((PU_ENHMETARECORD)U_EMRROUNDRECT_set(rectl_set(point32_set(60, 10), point32_set(110, 60)), sizel_set(20, 20)),
               et, U_REC_FREE);
    uint16_t* face = U_Utf8ToUtf16le("DejaVu Sans", 0, nullptr);
    U_LOGFONT font = logfont_set(-30, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, face);
    free(face);
    uint32_t ihFont = 0;
    emf_append((PU_ENHMETARECORD)extcreatefontindirectw_set(&ihFont, eht, (const char*)&font, nullptr), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)selectobject_set(ihFont, eht), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRSETTEXTCOLOR_set(U_RGB(0, 0, 255)), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRSETBKMODE_set(U_TRANSPARENT), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRSETTEXTALIGN_set(U_TA_BASELINE), et, U_REC_FREE);
    uint16_t* text = U_Utf8ToUtf16le("Hi", 0, nullptr);
    uint32_t advances[2] = {22, 12}; // the writer copies the spacing array whether or not players use it
    char* emrtext = emrtext_set(point32_set(120, 40), 2, 2, text, 0, rectl_set(point32_set(0, 0), point32_set(-1, -1)), advances);
    emf_append((PU_ENHMETARECORD)U_EMREXTTEXTOUTW_set(bounds, U_GM_COMPATIBLE, 1, 1, (PU_EMRTEXT)emrtext), et, U_REC_FREE);
    free(emrtext);
    free(text);
    emf_append((PU_ENHMETARECORD)U_EMREOF_set(0, nullptr, et), et, U_REC_FREE);
    const bool ok = emf_finish(et, eht) == 0;
    emf_free(&et);
    emf_htable_free(&eht);
    return ok;
}

bool WriteBitmapEmf(const QString& path)
{
    EMFTRACK* et = nullptr;
    EMFHANDLES* eht = nullptr;
    const QByteArray name = path.toLocal8Bit();
    if (emf_start(name.constData(), 1000000, 250000, &et) || emf_htable_create(128, 128, &eht)) return false;
    const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(63, 63));
    const U_RECTL frame = rectl_set(point32_set(0, 0), point32_set(64 * 2540 / 96, 64 * 2540 / 96));
    emf_append((PU_ENHMETARECORD)U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, sizel_set(1920, 1440),
                                                 sizel_set(508, 381), 0), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)selectobject_set(U_NULL_PEN, eht), et, U_REC_FREE);
    uint32_t ih = 0;
    emf_append((PU_ENHMETARECORD)createbrushindirect_set(&ih, eht, logbrush_set(U_BS_SOLID, U_RGB(255, 255, 255), 0)), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)selectobject_set(ih, eht), et, U_REC_FREE);
    emf_append((PU_ENHMETARECORD)U_EMRRECTANGLE_set(Rect(QRect(0, 0, 64, 64))), et, U_REC_FREE);
    // Rows bottom-up, 24-bit blue-green-red, each row padded to four bytes.
    char pixels[16] = {char(255), 0, 0, 0, char(255), char(255), 0, 0,          // blue, yellow
                       0, 0, char(255), 0, char(255), 0, 0, 0};                 // red, green
    U_BITMAPINFOHEADER header = bitmapinfoheader_set(2, 2, 1, 24, U_BI_RGB, 16, 2835, 2835, 0, 0);
    PU_BITMAPINFO info = bitmapinfo_set(header, nullptr);
    emf_append((PU_ENHMETARECORD)U_EMRSTRETCHDIBITS_set(bounds, point32_set(10, 10), point32_set(40, 40), point32_set(0, 0),
                                                        point32_set(2, 2), U_DIB_RGB_COLORS, U_SRCCOPY, info, 16, pixels),
               et, U_REC_FREE);
    free(info);
    emf_append((PU_ENHMETARECORD)U_EMREOF_set(0, nullptr, et), et, U_REC_FREE);
    const bool ok = emf_finish(et, eht) == 0;
    emf_free(&et);
    emf_htable_free(&eht);
    return ok;
}

bool WriteWmf(const QString& path, int w, int h, int unitsPerInch, QColor paper, QColor ink, QRect box)
{
    WMFTRACK* wt = nullptr;
    WMFHANDLES* wht = nullptr;
    const QByteArray name = path.toLocal8Bit();
    if (wmf_start(name.constData(), 1000000, 250000, &wt) || wmf_htable_create(128, 128, &wht)) return false;
    U_PAIRF size{float(w) / unitsPerInch, float(h) / unitsPerInch};
    wmf_header_append((U_METARECORD*)U_WMRHEADER_set(&size, unsigned(unitsPerInch)), wt, 1);
    wmf_append((U_METARECORD*)U_WMRSETWINDOWORG_set(point16_set(0, 0)), wt, 1);
    wmf_append((U_METARECORD*)U_WMRSETWINDOWEXT_set(point16_set(int16_t(w), int16_t(h))), wt, 1);
    uint32_t pen = 0, brush = 0;
    wmf_append((U_METARECORD*)wcreatepenindirect_set(&pen, wht, U_PEN_set(U_PS_NULL, 0, Colour(ink))), wt, 1);
    wmf_append((U_METARECORD*)wselectobject_set(pen, wht), wt, 1);
    wmf_append((U_METARECORD*)wcreatebrushindirect_set(&brush, wht, U_WLOGBRUSH_set(U_BS_SOLID, Colour(paper), 0)), wt, 1);
    wmf_append((U_METARECORD*)wselectobject_set(brush, wht), wt, 1);
    wmf_append((U_METARECORD*)U_WMRRECTANGLE_set(U_RECT16_set(point16_set(0, 0), point16_set(int16_t(w), int16_t(h)))), wt, 1);
    wmf_append((U_METARECORD*)wdeleteobject_set(&brush, wht), wt, 1);
    wmf_append((U_METARECORD*)wcreatebrushindirect_set(&brush, wht, U_WLOGBRUSH_set(U_BS_SOLID, Colour(ink), 0)), wt, 1);
    wmf_append((U_METARECORD*)wselectobject_set(brush, wht), wt, 1);
    wmf_append((U_METARECORD*)U_WMRRECTANGLE_set(U_RECT16_set(point16_set(int16_t(box.left()), int16_t(box.top())),
                                                              point16_set(int16_t(box.right() + 1), int16_t(box.bottom() + 1)))),
               wt, 1);
    const U_POINT16 triangle[3] = {point16_set(int16_t(w * 3 / 4), int16_t(h * 5 / 8)),
                                   point16_set(int16_t(w * 7 / 8), int16_t(h * 7 / 8)),
                                   point16_set(int16_t(w * 5 / 8), int16_t(h * 7 / 8))};
    wmf_append((U_METARECORD*)U_WMRPOLYGON_set(3, triangle), wt, 1);
    wmf_append((U_METARECORD*)U_WMREOF_set(), wt, 1);
    const bool ok = wmf_finish(wt) == 0;
    wmf_free(&wt);
    wmf_htable_free(&wht);
    return ok;
}

bool WriteViewportWmf(const QString& path, QColor ink)
{
    WMFTRACK* wt = nullptr;
    WMFHANDLES* wht = nullptr;
    const QByteArray name = path.toLocal8Bit();
    if (wmf_start(name.constData(), 1000000, 250000, &wt) || wmf_htable_create(128, 128, &wht)) return false;
    U_PAIRF size{1.0f, 1.0f};
    wmf_header_append((U_METARECORD*)U_WMRHEADER_set(&size, 100), wt, 1);
    wmf_append((U_METARECORD*)U_WMRSETWINDOWORG_set(point16_set(0, 0)), wt, 1);
    wmf_append((U_METARECORD*)U_WMRSETWINDOWEXT_set(point16_set(100, 100)), wt, 1);
    wmf_append((U_METARECORD*)U_WMRSETVIEWPORTORG_set(point16_set(50, 0)), wt, 1);
    wmf_append((U_METARECORD*)U_WMRSETVIEWPORTEXT_set(point16_set(50, 100)), wt, 1);
    uint32_t pen = 0, brush = 0;
    wmf_append((U_METARECORD*)wcreatepenindirect_set(&pen, wht, U_PEN_set(U_PS_NULL, 0, Colour(ink))), wt, 1);
    wmf_append((U_METARECORD*)wselectobject_set(pen, wht), wt, 1);
    wmf_append((U_METARECORD*)wcreatebrushindirect_set(&brush, wht, U_WLOGBRUSH_set(U_BS_SOLID, Colour(ink), 0)), wt, 1);
    wmf_append((U_METARECORD*)wselectobject_set(brush, wht), wt, 1);
    wmf_append((U_METARECORD*)U_WMRRECTANGLE_set(U_RECT16_set(point16_set(0, 0), point16_set(100, 100))), wt, 1);
    wmf_append((U_METARECORD*)U_WMREOF_set(), wt, 1);
    const bool ok = wmf_finish(wt) == 0;
    wmf_free(&wt);
    wmf_htable_free(&wht);
    return ok;
}

} // namespace UemfFixtures
