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

  std::int32_t HOST_CALL Release() override;

  void HOST_CALL GetName(HostStr* result) override;
  void HOST_CALL GetAuthor(HostStr* result) override;
  void HOST_CALL GetComment(HostStr* result) override;
  void HOST_CALL GetPage(HostStr* result) override;
  HostIconHandle HOST_CALL GetGlyph() override;
  TExpertStyle HOST_CALL GetStyle() override;
  std::uint32_t HOST_CALL GetState() override;
  void HOST_CALL GetIDString(HostStr* result) override;
  void HOST_CALL GetMenuText(HostStr* result) override;
  void HOST_CALL Execute() override;

 private:
  ~MFCVantrel() = default;  // Only Release destroys the expert.
};

}  // namespace vantrel::host
