        : image {
            key        = "preview" ;
            width      = 14.3 ;
            height     =  4.0 ;
            color     = dialog_background ;
            alignment     = right ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
        }
