#include "platform/Forms.h"

#include <algorithm>

namespace platform {

std::vector<LoadedForm>& LoadedForms() {
  static std::vector<LoadedForm> forms;
  return forms;
}

void RegisterLoadedForm(QWidget* widget, std::function<void()> unload) {
  LoadedForms().push_back({widget, std::move(unload)});
}

void UnregisterLoadedForm(QWidget* widget) {
  auto& forms = LoadedForms();
  forms.erase(std::remove_if(forms.begin(), forms.end(),
                             [widget](const LoadedForm& f) { return f.widget == widget || f.widget.isNull(); }),
              forms.end());
}

}  // namespace platform
