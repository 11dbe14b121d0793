#include "platform/fltk/FltkFonts.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

// X11 defines None as a macro, which the toolkit's enumerations also use.
#undef None

#include <map>
#include <string>

namespace vantrel::fltk {
namespace {

// The family that stands in for a Windows face name.
std::string FamilyOf(const std::string& name) {
  if (name == "Arial" || name == "MS Sans Serif" || name.empty()) return "Liberation Sans";
  return name;
}

}  // namespace

Fl_Font FaceOf(const TFont& font) {
  // Xft face names start with a style letter: ' ' plain, 'B' bold.
  const std::string face = std::string(font.Bold ? "B" : " ") + FamilyOf(font.Name);
  static std::map<std::string, Fl_Font> faces;
  static Fl_Font next = FL_FREE_FONT;
  auto found = faces.find(face);
  if (found != faces.end()) return found->second;
  const Fl_Font id = next++;
  // FLTK keeps the pointer, so the name must outlive the program's drawing.
  static std::map<Fl_Font, std::string> names;
  names[id] = face;
  Fl::set_font(id, names[id].c_str());
  faces.emplace(face, id);
  return id;
}

void UseFont(const TFont& font) { fl_font(FaceOf(font), font.Height); }

}  // namespace vantrel::fltk
