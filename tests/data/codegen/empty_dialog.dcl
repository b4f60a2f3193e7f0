empty_one : dialog { 
    label="An empty dialog";
ok_cancel_help;
}
