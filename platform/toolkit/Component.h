#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class TApplication;

// Anything with a name and an owner. An owner destroys the components it
// still owns when it is destroyed itself; a component destroyed earlier
// leaves its owner's list, so a component may also be held and released by
// whoever created it.
class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  // The components this one owns, in the order they were created.
  const std::vector<TComponent*>& Components() const { return components_; }
  // The owned component of that name, or nullptr.
  TComponent* FindComponent(std::string_view name) const;

  // The application at the root of the owner chain, or nullptr.
  TApplication* Application() const;

 protected:
  virtual TApplication* AsApplication() { return nullptr; }

 private:
  TComponent* owner_;
  std::string name_;
  std::vector<TComponent*> components_;
};

}  // namespace vantrel
