// Keeps the Qt backend library non-empty.
