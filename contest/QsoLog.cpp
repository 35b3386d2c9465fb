// Filled in as the unit is built.
