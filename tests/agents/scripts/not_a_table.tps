Esto no es una tabla de VORDA.
