// Renders PDF pages with pdftoppm so tests can look at printed cards as pictures.
#pragma once

#include <QImage>
#include <QString>

namespace PdfPages {

// Page `page` (1-based) of `pdf` at `dpi`; a null image when pdftoppm is missing or fails.
QImage Render(const QString& pdf, int dpi, int page = 1);

} // namespace PdfPages
