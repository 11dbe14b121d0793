#include "apps/vantrel-host/fltk/HostMainWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/x.H>

#include "apps/vantrel-host/ProjectListing.h"

namespace vantrel::hostapp {
namespace {

void RunNew(Fl_Widget*, void* data) { (*static_cast<std::function<void()>*>(data))(); }

void Quit(Fl_Widget*, void* data) { static_cast<Fl_Window*>(data)->hide(); }

}  // namespace

HostMainWindow::HostMainWindow(std::function<void()> onNew) : onNew_(std::move(onNew)) {
  window_ = std::make_unique<Fl_Double_Window>(720, 520, "Vantrel host - stand-in IDE");
  auto* menu = new Fl_Menu_Bar(0, 0, 720, 26);
  menu->add("&File/&New...", FL_CTRL + 'n', RunNew, &onNew_);
  menu->add("&File/E&xit", FL_CTRL + 'q', Quit, window_.get());
  auto* newButton = new Fl_Button(8, 34, 100, 28, "&New...");
  newButton->callback(RunNew, &onNew_);
  project_ = new Fl_Box(116, 34, 596, 28, "No project open");
  project_->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
  project_->box(FL_DOWN_BOX);
  files_ = new Fl_Browser(8, 92, 704, 260, "Project files");
  files_->align(FL_ALIGN_TOP_LEFT);
  files_->format_char(0);
  record_ = new Fl_Browser(8, 378, 704, 134, "Requests from experts");
  record_->align(FL_ALIGN_TOP_LEFT);
  record_->format_char(0);
  window_->end();
}

HostMainWindow::~HostMainWindow() = default;

void HostMainWindow::Show() {
  window_->show();
  // The window must exist on the display before its id is handed out.
  Fl::flush();
}

host::HostWindow HostMainWindow::Handle() const {
  return window_->shown() ? static_cast<host::HostWindow>(fl_xid(window_.get())) : 0;
}

void HostMainWindow::ShowProject(const std::string* makefilePath) {
  files_->clear();
  if (makefilePath == nullptr) {
    project_->copy_label("No project open");
  } else {
    project_->copy_label(("Project: " + *makefilePath).c_str());
    for (const auto& file : ProjectFiles(*makefilePath)) files_->add(file.c_str());
  }
  window_->redraw();
}

void HostMainWindow::AddRecord(const std::string& entry) {
  record_->add(entry.c_str());
  record_->bottomline(record_->size());
}

}  // namespace vantrel::hostapp
