// The Text instrument: a left click opens a text at the clicked pixel, typed
// characters are drawn there with the current font through the point rule
// (so the PIX and RGB modes apply), Return starts a line 8 pixels lower and
// Backspace takes the last character back by drawing the text again over
// the Picture as it was before the text. The text closes on Esc, on a click
// elsewhere or when another instrument is chosen; its history step "Text"
// is recorded then.
#pragma once

#include <string_view>

#include "edit/instrument_unit.h"

namespace cs {

InstrumentUnit& TextUnit();

// Opens a text with its origin at picture pixel (x, y), closing any open one.
void OpenText(EditorState& s, int x, int y);
// Closes the open text. True when it changed the Picture: the window then
// records the history step "Text".
bool CloseText(EditorState& s);
// Draws printable characters after the last one of the current line; a
// character the font lacks is skipped. The first one drawn takes the undo
// snapshot, so one undo takes the whole text back.
void TypeText(EditorState& s, PaintSink& sink, std::u32string_view chars);
// A new line, 8 pixels below the last one.
void TextReturn(EditorState& s);
// Takes back the last character (or the last empty line). The Picture is
// put back whole, so the window shows all of it again afterwards.
void TextBackspace(EditorState& s, PaintSink& sink);
// True while a text is open and the Picture is as the text left it. A change
// made meanwhile by other means (a menu command) would be lost to the next
// Backspace, so the window closes such a text before a key goes into it.
bool TextOwnsPicture(const EditorState& s);
// Where the next character's top-left pixel goes, in picture pixels.
ImagePoint TextCursor(const EditorState& s);
// The band that shows the text cursor: a bar of one picture pixel along the
// left column of the next character's 8 rows; none while no text is open.
RubberBand TextCursorBand(const EditorState& s);

}  // namespace cs
