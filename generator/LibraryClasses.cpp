#include "generator/LibraryClasses.h"

#include <array>

namespace vantrel {

std::span<const std::string_view> LibraryClasses() {
  static constexpr std::array<std::string_view, 37> kClasses = {
      "CArchive",      "CClientDC",     "CCmdTarget",   "CCmdUI",       "CControlBar",
      "CCreateContext", "CCtrlView",    "CDC",          "CDataExchange", "CDialog",
      "CDocTemplate",  "CDocument",     "CDumpContext", "CEditView",    "CFrameWnd",
      "CListCtrl",     "CListView",     "CMDIChildWnd", "CMDIFrameWnd", "CMultiDocTemplate",
      "CObject",       "CPoint",        "CPrintInfo",   "CRect",        "CRichEditCtrl",
      "CRichEditDoc",  "CRichEditView", "CRuntimeClass", "CScrollView", "CSize",
      "CString",       "CTreeCtrl",     "CTreeView",    "CView",        "CWinApp",
      "CWinThread",    "CWnd",
  };
  return kClasses;
}

}  // namespace vantrel
