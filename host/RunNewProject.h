#pragma once

namespace vantrel {
class TApplication;
class ProjectOpener;
}  // namespace vantrel

namespace vantrel::host {

// One run of the expert: shows the new project dialog, owned by the
// application, and, when it ends with OK, the wizard, whose generation run
// ends with the opener's requests; returns when every dialog is closed and
// destroyed. Errors are left to the caller.
void RunNewProject(TApplication& application, ProjectOpener* opener);

}  // namespace vantrel::host
