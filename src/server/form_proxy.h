// The host form a skin sees for its whole life: the container's form once
// a client site names one, the in-memory stand-in until then.
#pragma once

#include <memory>

#include "server/detached_form.h"

namespace glavo::server {

class FormProxy final : public HostForm {
 public:
  explicit FormProxy(DetachedForm& standIn) : standIn_(standIn) {}

  // Null returns to the stand-in.
  void attach(std::unique_ptr<HostForm> form) { attached_ = std::move(form); }
  bool attached() const { return attached_ != nullptr; }

  HostValue get(std::string_view member) override { return current().get(member); }
  void set(std::string_view member, const HostValue& value) override { current().set(member, value); }
  bool isWindowed() const override { return attached_ ? attached_->isWindowed() : standIn_.isWindowed(); }
  void unload() override { current().unload(); }

 private:
  HostForm& current() { return attached_ ? *attached_ : standIn_; }

  DetachedForm& standIn_;
  std::unique_ptr<HostForm> attached_;
};

}  // namespace glavo::server
