#pragma once

#include <string>

#include "generator/CodePage.h"
#include "platform/fs/MemoryFileSystem.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/HeadlessBackend.h"
#include "platform/toolkit/UserDriver.h"
#include "tests/TestSupport.h"
#include "wizard/Mfcvantrel.h"
#include "wizard/Newdialog.h"
#include "wizard/Newinfo.h"
#include "wizard/Dirchoose.h"

namespace vantrel::test {

// A screenless application over an in-memory file system whose current
// directory is "C:\Work", with a recording host.
struct Ui {
  MemoryFileSystem fs;
  HeadlessBackend backend;
  TApplication app{backend, fs};
  RecordingOpener opener;

  Ui() {
    fs.AddDirectory("C:\\Work\\Sub");
    fs.AddDirectory("C:\\Work\\Other");
    fs.AddDirectory("D:\\Data");
    fs.SetCurrentDirectory("C:\\Work");
  }

  // What the expert's run operation does: the New project dialog, then on
  // OK the wizard.
  void RunNewProject() {
    TNewDlg dialog(&app, &opener);
    dialog.SetCodePage(codepage::kWestern);
    if (dialog.ShowModal() == mrOk) dialog.RunWizard();
  }

  void Expect(const std::string& form, HeadlessBackend::FormScript script) {
    backend.Expect(form, std::move(script));
  }
};

// The caption of a control of the form, by name.
inline std::string CaptionOf(const UserDriver& user, const std::string& name) {
  return user.Get<TControl>(name).Caption();
}

}  // namespace vantrel::test
