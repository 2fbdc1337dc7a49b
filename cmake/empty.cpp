// Keeps a target valid while it has no other source.
