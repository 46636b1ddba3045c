// Runs candidates one after another on a workspace of its own: each time the
// base design is put back quietly, the candidate's replay is carried out
// through the forms, and what they show is read and judged.
#pragma once

#include <functional>

#include "model/recording_host.h"
#include "model/workspace.h"
#include "search/candidate_result.h"
#include "search/search_base.h"

namespace corvane::search {

// Registers the program's forms (and its workspace commands) with a
// workspace: the program passes its own registration, so the search runs the
// same forms the designer uses.
using RegisterForms = std::function<void(Workspace&)>;

class CandidateRunner {
 public:
  CandidateRunner(const SearchBase& base, const RegisterForms& registerForms);
  CandidateRunner(const CandidateRunner&) = delete;
  CandidateRunner& operator=(const CandidateRunner&) = delete;

  CandidateResult run(const Candidate& candidate);

  // The workspace the candidates run on, as the last one left it.
  Workspace& workspace() { return workspace_; }

 private:
  // The reason the design pass did not complete for a row, "" when it did.
  std::string incompleteRow() const;
  std::vector<int> slotsOfRows(int bobbin) const;

  const SearchBase& base_;
  RecordingHost host_;
  Workspace workspace_;
};

}  // namespace corvane::search
