// Shared set-up of the card tests: test-mode settings, a temporary install folder with fixture pictures.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace CardTest {

// Turns on QStandardPaths' test mode (before any QSettings) and points the install folder at `folder`.
void UseInstallFolder(const QString& folder);

// Fixture pictures under folder/images, each one colour on a white border so its place can be seen:
//   7001.emf  2880 x 1440 twips, red      7002.emf 2880 x 1440 twips, blue   (libUEMF)
//   7003.wmf  1440 x 1440 twips, green    7004.dib 60 x 40 pixels, yellow
//   7100.emf  background 14400 x 7200 twips, pale grey with a dark corner mark  (libUEMF)
//   7101.emf  background 7200 x 7200 twips, light blue
//   7900.emf  damaged: a header whose first record runs past the end
bool WriteFixtures(const QString& folder);

// Fraction of pixels of `image` inside `area` whose colour is within `tolerance` of `colour`.
double Coverage(const QImage& image, const QRect& area, QColor colour, int tolerance = 40);

} // namespace CardTest
