#pragma once

#include "host/TIExpert.h"

namespace vantrel::host {

// The expert the library registers: listed on the host's "New" page, it runs
// the new project dialog and, through it, the wizard. It adds no fields to
// TIExpert; the host owns it through its reference count.
class MFCVantrel final : public TIExpert {
 public:
  static constexpr const char* kName = "MFC Vantrel(exe) VC 4.2 Mode";
  static constexpr const char* kAuthor = "Teodor Halvorsen";
  static constexpr const char* kComment = "MFC Vantrel(exe) in Borland C++ Builder 3.0 (VC++ 4.2 Mode)";
  static constexpr const char* kPage = "New";
  static constexpr const char* kIDString = "MFCVantrel.VC42";
  static constexpr const char* kGlyphIcon = "MFCVANTREL";

  std::int32_t Release() override;

  void GetName(HostStr* result) override;
  void GetAuthor(HostStr* result) override;
  void GetComment(HostStr* result) override;
  void GetPage(HostStr* result) override;
  HostIconHandle GetGlyph() override;
  TExpertStyle GetStyle() override;
  std::uint32_t GetState() override;
  void GetIDString(HostStr* result) override;
  void GetMenuText(HostStr* result) override;
  void Execute() override;

 private:
  ~MFCVantrel() = default;  // Only Release destroys the expert.
};

}  // namespace vantrel::host
