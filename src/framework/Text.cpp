// Locale-independent text helpers.
