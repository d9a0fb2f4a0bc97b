// Fonts the way the device creates them: face, height, weight, quality; "Tahoma" substituted.
#pragma once

#include <QFont>
#include <QString>

namespace velmora::gdi {

enum class Quality { Default, ClearType };

// Makes "Tahoma" resolve to the DejaVu faces that carry every Vietnamese glyph.
void installFontSubstitutions();

// The families tried, in order, for a device face name.
QStringList familiesFor(const QString& face);

// pixelHeight as the device's font height: negative is the character (em) height,
// positive the cell height (ascent + descent), 0 a default of 12 px.
// weight 100..900 as the device's weight values (0 = normal).
QFont makeFont(const QString& face, int pixelHeight, int weight = 400, bool italic = false,
               Quality quality = Quality::ClearType);

// Every letter of Vietnamese, both cases, with its diacritics.
QString vietnameseLetters();

// True when the font the face resolves to (not a fallback) draws every Vietnamese letter.
bool hasVietnameseGlyphs(const QFont& font);

} // namespace velmora::gdi
