only_dlg : dialog { 
    label="Only radio buttons";
        : radio_column {
            : radio_button {
                key        = "yes" ;
                label      = "Yes" ;
                width      = 41.7 ;
                height     =  1.4 ;
            }
            : radio_button {
                key        = "no" ;
                label      = "No" ;
                width      = 41.7 ;
                height     =  1.4 ;
            }
        }
ok_cancel_help;
}
