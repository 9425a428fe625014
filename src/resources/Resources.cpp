// Keeps the resource library non-empty until templates arrive.
