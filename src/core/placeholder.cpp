// replaced by the core form
