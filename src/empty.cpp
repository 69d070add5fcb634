// Placeholder translation unit for a source area that has no code yet.
