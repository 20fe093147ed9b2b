// header
function f() { echo("a // b"); } // tail
