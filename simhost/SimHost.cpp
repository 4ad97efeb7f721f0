// Simulated host; filled in by the foundation work.
