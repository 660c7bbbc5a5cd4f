// The check that a text a user reads is Russian: no word of Latin letters is
// left in it but names (of the program, formats, Spectrum keywords and keys)
// and file patterns. Shared by the widget test and the end-to-end test.
#pragma once

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

namespace cs::test {

// Words that stay in Latin letters in the Russian interface.
inline const QSet<QString>& LatinNames() {
  static const QSet<QString> names = {
      // the program, the technique as a name, machines and tools
      "chromaSmith", "chromasmith", "GigaScreen", "ZX", "Spectrum", "Pentagon", "Qt", "Fuse",
      // formats and colour models
      "PNG", "JPEG", "GIF", "BMP", "SZX", "SNA", "TAP", "TRD", "SCR", "IMG", "MGS", "RGB", "PIX", "INI", "trd", "tap",
      "MultiGigaScreen",
      // the view palettes' names
      "srgb", "pulsar", "orthodox", "alone", "electroscale",
      // Spectrum keywords for the attribute's parts
      "INK", "PAPER", "PAP", "BRIGHT", "FLASH",
      // key names
      "Ctrl", "Shift", "Alt", "CTRL", "SHIFT", "ALT", "ESC", "DEL", "CursorLeft", "CursorRight", "CursorUp",
      "CursorDown", "Esc", "Enter", "Del", "Delete", "Space", "Tab", "Home", "End", "PgUp", "PgDn",
      "Backspace", "Return", "Ins", "Insert",
      // Qt's own Russian keeps the OK of its buttons
      "OK"};
  return names;
}

// The Latin words of `text` that are not names: file patterns (*.mgs, .$scr),
// key names, single letters (keys) and F1..F12 are allowed.
inline QStringList EnglishWords(const QString& text) {
  QString t = text;
  // file names and patterns: name.atr, *.mg1/mg2, .$scr
  t.remove(QRegularExpression(R"([\w-]*\*?\.\$?[A-Za-z0-9$]+(/\$?[A-Za-z0-9]+)*)"));
  QStringList found;
  static const QRegularExpression word(R"([A-Za-z]{2,})");
  for (auto it = word.globalMatch(t); it.hasNext();) {
    const QString w = it.next().captured();
    if (!LatinNames().contains(w) && !QRegularExpression("^F[0-9]{1,2}$").match(w).hasMatch()) found << w;
  }
  return found;
}

// The entries ("objectName: text") whose text has English words left.
inline QStringList EntriesNotRussian(const QStringList& entries) {
  QStringList bad;
  for (const QString& e : entries) {
    const qsizetype colon = e.indexOf(": ");
    const QString text = colon < 0 ? e : e.mid(colon + 2);
    if (!EnglishWords(text).isEmpty()) bad << e;
  }
  return bad;
}

}  // namespace cs::test
