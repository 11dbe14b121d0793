#include "platform/toolkit/Component.h"

#include <algorithm>

namespace vantrel {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_ != nullptr) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  // Owned components go first, the newest first, each leaving the list as
  // it is destroyed.
  while (!components_.empty()) delete components_.back();
  if (owner_ != nullptr) {
    auto& siblings = owner_->components_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  for (TComponent* component : components_)
    if (component->Name() == name) return component;
  return nullptr;
}

TApplication* TComponent::Application() const {
  for (auto* component = const_cast<TComponent*>(this); component != nullptr;
       component = component->owner_)
    if (TApplication* app = component->AsApplication()) return app;
  return nullptr;
}

}  // namespace vantrel
