// One global instance per window: created (and loaded) on first use, kept while
// hidden, destroyed by Unload; the next use creates it afresh and its load runs
// again. Every window goes through this helper; none re-implements it.
//
// A window class T provides its load handler as Form_Load() or MDIForm_Load() and
// may provide its unload handler as Form_Unload() or MDIForm_Unload(). Its
// closeEvent calls Form<T>::Unload(), so the close box unloads the window.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace platform {

struct LoadedForm {
  QPointer<QWidget> widget;
  std::function<void()> unload;
};

// The loaded windows in load order; QuitApplication unloads them all.
std::vector<LoadedForm>& LoadedForms();
void RegisterLoadedForm(QWidget* widget, std::function<void()> unload);
void UnregisterLoadedForm(QWidget* widget);

template <class T>
class Form {
 public:
  // The window, loading it first when it is not loaded.
  static T& Get() {
    if (!instance_) {
      instance_ = new T();
      RegisterLoadedForm(instance_, &Form<T>::Unload);
      if constexpr (requires(T& t) { t.Form_Load(); }) {
        instance_->Form_Load();
      } else if constexpr (requires(T& t) { t.MDIForm_Load(); }) {
        instance_->MDIForm_Load();
      }
    }
    return *instance_;
  }

  static bool IsLoaded() { return instance_ != nullptr; }

  // The window when loaded, otherwise nullptr; never loads it.
  static T* IfLoaded() { return instance_; }

  // Shows the window modeless, loading it first when needed.
  static T& Show() {
    T& form = Get();
    form.show();
    form.raise();
    form.activateWindow();
    return form;
  }

  // Hides the window if it is loaded; never loads it.
  static void Hide() {
    if (instance_) instance_->hide();
  }

  // Runs the unload handler once, then destroys the window. Calls made while the
  // handler runs (re-entry) return at once.
  static void Unload() {
    if (!instance_ || unloading_) return;
    unloading_ = true;
    T* form = instance_;
    if constexpr (requires(T& t) { t.Form_Unload(); }) {
      form->Form_Unload();
    } else if constexpr (requires(T& t) { t.MDIForm_Unload(); }) {
      form->MDIForm_Unload();
    }
    instance_ = nullptr;
    unloading_ = false;
    UnregisterLoadedForm(form);
    form->hide();
    form->deleteLater();
  }

 private:
  static inline T* instance_ = nullptr;
  static inline bool unloading_ = false;
};

}  // namespace platform
