#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

// Answers the window's questions and file dialogs from queues filled by the
// test, and records what was shown. A question nobody expected fails the test.
class ScriptedDialogs : public Dialogs {
 public:
  std::deque<DialogAnswer> answers;
  std::deque<bool> yesNoAnswers;
  std::deque<std::optional<std::string>> files;
  std::vector<std::string> messages, questions;
  std::vector<FileDialogRequest> requests;
  std::deque<std::optional<TColor>> colors;  // nothing: the colour dialog cancelled
  std::vector<TColor> colorStarts;

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  DialogAnswer AskYesNoCancel(const std::string& text) override {
    questions.push_back(text);
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return DialogAnswer::Cancel;
    }
    DialogAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    if (yesNoAnswers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return false;
    }
    bool a = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return a;
  }
  std::optional<TColor> ChooseColor(TColor start) override {
    colorStarts.push_back(start);
    if (colors.empty()) {
      ADD_FAILURE() << "unexpected colour dialog";
      return std::nullopt;
    }
    std::optional<TColor> c = colors.front();
    colors.pop_front();
    return c;
  }
  std::optional<std::string> OpenFileName(const FileDialogRequest& r) override { return File(r); }
  std::optional<std::string> SaveFileName(const FileDialogRequest& r) override { return File(r); }

 private:
  std::optional<std::string> File(const FileDialogRequest& r) {
    requests.push_back(r);
    if (files.empty()) {
      ADD_FAILURE() << "unexpected file dialog: " << r.title;
      return std::nullopt;
    }
    std::optional<std::string> f = files.front();
    files.pop_front();
    return f;
  }
};
