// The field sink of a form: each result goes into the form's control of that
// name, running its change reaction, so a calculation written through it
// cascades exactly as the form's own writes would.
#pragma once

#include "model/field_sink.h"
#include "model/form.h"

namespace corvane {

class FormFields : public FieldSink {
 public:
  explicit FormFields(Form& form, int row = -1) : form_(form), row_(row) {}
  void write(const char* field, const std::string& text) override {
    form_.control(field, row_).setText(text);
  }

 private:
  Form& form_;
  int row_;
};

}  // namespace corvane
