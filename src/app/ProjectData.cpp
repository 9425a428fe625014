// Project data records.
