// Registration values; filled in by the foundation work.
