// replaced by the electrical specification form
