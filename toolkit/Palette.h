#pragma once
// Palettes shared by every widget that shows the same colours.
//
// Qt's styles cache what they paint under the palette's key. Qt gives every palette it makes
// or resolves a key of its own: a widget that inherits its palette, or one set from a palette
// that leaves brushes to the parent, gets a new key with every widget built. Forms built over
// and over (a tab per ship) would then add cache entries with every one, for as long as the
// program runs. Widgets that take their palette from here share one key per set of colours.
class QPalette;
class QWidget;

namespace toolkit {

// The pooled palette with the brushes of `wanted`, every one of them set.
const QPalette& SharedPalette(const QPalette& wanted);

// Sets the pooled palette on `root`'s descendants that have none of their own.
void ShareInheritedPalettes(QWidget* root);

} // namespace toolkit
