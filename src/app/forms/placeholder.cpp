// replaced by the main window and cover forms
